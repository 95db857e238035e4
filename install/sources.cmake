# Where the programs find their data files and plugin once installed.
list(APPEND QUORIN_CORE_SOURCES
  install/install_layout.cpp
  install/data_folder.cpp
)
