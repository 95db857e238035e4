# Run by CPack on the staged package before it is packed: strips the
# programs and the plugin as Debian does, of debugging symbols and of the
# .comment and .note sections nothing reads.
find_program(QUORIN_STRIP NAMES strip REQUIRED)
file(GLOB_RECURSE binaries ${CPACK_TEMPORARY_DIRECTORY}/*/bin/* ${CPACK_TEMPORARY_DIRECTORY}/*.so)
if(NOT binaries)
  message(FATAL_ERROR "No program found to strip under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(binary ${binaries})
  execute_process(COMMAND ${QUORIN_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded ${binary}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not strip ${binary}")
  endif()
endforeach()
