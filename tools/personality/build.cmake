# The birthday personality table: generated C++ compiled into the core. The
# generator reads the resource tables only, so it builds without the core.
add_executable(vantrel_gen_personality ${CMAKE_CURRENT_LIST_DIR}/gen_personality.cpp)
target_include_directories(vantrel_gen_personality PRIVATE ${CMAKE_SOURCE_DIR})

set(VANTREL_PERSONALITY_SOURCES
  ${CMAKE_SOURCE_DIR}/resources/texts/personality_1.tsv
  ${CMAKE_SOURCE_DIR}/resources/texts/personality_2.tsv
  ${CMAKE_SOURCE_DIR}/resources/texts/personality_3.tsv)
set(VANTREL_PERSONALITY_TABLE ${VANTREL_GENERATED_DIR}/chart/personality_table.cpp)

add_custom_command(
  OUTPUT ${VANTREL_PERSONALITY_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_GENERATED_DIR}/chart
  COMMAND vantrel_gen_personality ${VANTREL_PERSONALITY_TABLE} ${VANTREL_PERSONALITY_SOURCES}
  DEPENDS vantrel_gen_personality ${VANTREL_PERSONALITY_SOURCES}
  COMMENT "Generating the birthday personality table"
  VERBATIM)
add_custom_target(vantrel_personality_table DEPENDS ${VANTREL_PERSONALITY_TABLE})

# The chart library lives in the top folder: it compiles the generated file
# once this folder's target has made it.
target_sources(vantrel_chart_lib PRIVATE ${VANTREL_PERSONALITY_TABLE})
add_dependencies(vantrel_chart_lib vantrel_personality_table)
