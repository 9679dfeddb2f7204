# The page's stored window definition: c01_defblock writes the block from the
# designer file and the pictures, and the static library page_block carries
# it (page/stored_definition.h).
set(page_block_file ${CMAKE_CURRENT_BINARY_DIR}/frmC01_001.block)
file(GLOB page_pictures CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.bmp ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.ico)
add_custom_command(
  OUTPUT ${page_block_file}
  COMMAND c01_defblock ${CMAKE_CURRENT_SOURCE_DIR}/frmC01_001.frmdef
          --pictures ${CMAKE_CURRENT_SOURCE_DIR}/pictures -o ${page_block_file}
  DEPENDS c01_defblock ${CMAKE_CURRENT_SOURCE_DIR}/frmC01_001.frmdef ${page_pictures}
  COMMENT "Writing the stored definition of frmC01_001"
  VERBATIM)

add_library(page_block STATIC ${CMAKE_CURRENT_SOURCE_DIR}/stored_definition.cpp)
target_link_libraries(page_block PUBLIC c01_options rt_definition)
target_compile_definitions(page_block PRIVATE C01_PAGE_BLOCK_FILE="${page_block_file}")
set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/stored_definition.cpp
  PROPERTIES OBJECT_DEPENDS ${page_block_file})
