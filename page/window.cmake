# The window class frmC01_001 and its procedures, on the forms runtime and
# the course services.
add_library(page_window ${CMAKE_CURRENT_LIST_DIR}/frmC01_001.cpp)
target_link_libraries(page_window PUBLIC c01_options rt_forms services)
