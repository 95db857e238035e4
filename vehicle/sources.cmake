list(APPEND QUORIN_CORE_SOURCES
  vehicle/vehicle_cost_scale.cpp
  vehicle/car_allowance.cpp
  vehicle/vehicle_register.cpp
  vehicle/company_car.cpp
  vehicle/vehicle_fields.cpp
  vehicle/vehicle_records.cpp
  vehicle/register_file.cpp
)

# windows
list(APPEND QUORIN_GUI_SOURCES
  vehicle/car_allowance_window.cpp
  vehicle/company_car_window.cpp
  vehicle/vehicle_windows.cpp
)
