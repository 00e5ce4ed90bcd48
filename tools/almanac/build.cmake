# The almanac table: one row of table huangdao for every day 1901..2100,
# computed by the almanac rules from the solar terms. The database generator
# loads ${VANTREL_HUANGDAO_TSV} into KelFile.dll.
add_executable(vantrel-almanac-gen ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vantrel-almanac-gen PRIVATE vantrel_tools_lib)

set(VANTREL_HUANGDAO_TSV ${VANTREL_GENERATED_DIR}/huangdao.tsv)
add_custom_command(
  OUTPUT ${VANTREL_HUANGDAO_TSV}
  COMMAND vantrel-almanac-gen ${VANTREL_HUANGDAO_TSV}
  DEPENDS vantrel-almanac-gen
  COMMENT "Computing the almanac of every day 1901-2100"
  VERBATIM)
add_custom_target(vantrel_almanac_table DEPENDS ${VANTREL_HUANGDAO_TSV})
add_dependencies(vantrel_data vantrel_almanac_table)
