# The standard controls' suite, included by tests/user/CMakeLists.txt.
rebar_add_test_suite(controls_tests
  controls_fixture.h controls_fixture.cpp
  controls_combobox_test.cpp
  controls_listbox_test.cpp
  controls_edit_test.cpp
  controls_button_test.cpp
  controls_static_test.cpp
  controls_tooltip_test.cpp
  controls_menu_test.cpp
  controls_resource_test.cpp
  controls_render_test.cpp
  dialogbuilder.h dialogbuilder.cpp
)
target_link_libraries(controls_tests PRIVATE platform::user gdi_testsupport)
rebar_add_resources(controls_tests ${CMAKE_CURRENT_SOURCE_DIR}/controls_tests.rc
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/controls_swatch.bmp)
