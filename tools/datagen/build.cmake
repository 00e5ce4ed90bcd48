# vantrel-datagen builds the two database files beside the program from the
# tables in resources/ (and the almanac days, when the almanac generator
# provides them).
file(GLOB VANTREL_DATAGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(vantrel-datagen ${VANTREL_DATAGEN_SOURCES})
target_link_libraries(vantrel-datagen PRIVATE vantrel_tools_lib vantrel_core SQLite::SQLite3)

file(GLOB VANTREL_DATAGEN_TGCODE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/tgcode/*.tsv)
file(GLOB VANTREL_DATAGEN_KELFILE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/kelfile/*.tsv)

add_custom_command(
  OUTPUT ${VANTREL_DATA_DIR}/Tgcode.dll
  COMMAND vantrel-datagen tgcode --resources ${CMAKE_SOURCE_DIR}/resources --out ${VANTREL_DATA_DIR}/Tgcode.dll
  DEPENDS vantrel-datagen ${VANTREL_DATAGEN_TGCODE_INPUTS}
  COMMENT "Building Tgcode.dll"
  VERBATIM)

set(VANTREL_DATAGEN_HUANGDAO_ARGS)
set(VANTREL_DATAGEN_HUANGDAO_DEPENDS)
if(DEFINED VANTREL_HUANGDAO_TSV)
  set(VANTREL_DATAGEN_HUANGDAO_ARGS --huangdao ${VANTREL_HUANGDAO_TSV})
  set(VANTREL_DATAGEN_HUANGDAO_DEPENDS ${VANTREL_HUANGDAO_TSV})
endif()

add_custom_command(
  OUTPUT ${VANTREL_DATA_DIR}/KelFile.dll
  COMMAND vantrel-datagen kelfile --resources ${CMAKE_SOURCE_DIR}/resources --out ${VANTREL_DATA_DIR}/KelFile.dll
          ${VANTREL_DATAGEN_HUANGDAO_ARGS}
  DEPENDS vantrel-datagen ${VANTREL_DATAGEN_KELFILE_INPUTS} ${VANTREL_DATAGEN_HUANGDAO_DEPENDS}
  COMMENT "Building KelFile.dll"
  VERBATIM)

add_custom_target(vantrel_database_files DEPENDS ${VANTREL_DATA_DIR}/Tgcode.dll ${VANTREL_DATA_DIR}/KelFile.dll)
# huangdao.tsv is made by the almanac folder's target alone.
if(TARGET vantrel_almanac_table)
  add_dependencies(vantrel_database_files vantrel_almanac_table)
endif()
add_dependencies(vantrel_data vantrel_database_files)
