# Control libraries for the Register OCX tests: one with both self-registration entry points
# (registering succeeds, unregistering fails), one with DllRegisterServer alone.
add_library(regfixture_control SHARED ${CMAKE_CURRENT_LIST_DIR}/fixture/controllibrary.cpp)
add_library(regfixture_registeronly SHARED ${CMAKE_CURRENT_LIST_DIR}/fixture/registeronly.cpp)
add_dependencies(test_gui_register regfixture_control regfixture_registeronly)
target_compile_definitions(test_gui_register PRIVATE
    REG_FIXTURE_CONTROL="$<TARGET_FILE:regfixture_control>"
    REG_FIXTURE_REGISTER_ONLY="$<TARGET_FILE:regfixture_registeronly>")
