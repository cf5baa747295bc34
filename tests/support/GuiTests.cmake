# One GoogleTest program of a Qt layer from every .cpp of the calling folder; its main brings up a
# GUI application on the offscreen platform.
function(voltrane_gui_tests target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${target} ${sources} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GuiTestMain.cpp)
  target_link_libraries(${target} PRIVATE ${ARGN} voltrane_test_language GTest::gtest GTest::gmock)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  target_compile_definitions(${target} PRIVATE VOLTRANE_TEST_DATA="${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../data")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
