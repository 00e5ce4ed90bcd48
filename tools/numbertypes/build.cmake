# The nine personality type texts of the 81-number table, compiled into the
# core from resources/texts/number_types.tsv.
add_executable(vantrel-gen-numbertypes ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_include_directories(vantrel-gen-numbertypes PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(vantrel-gen-numbertypes PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTREL_NUMBER_TYPES_TSV ${CMAKE_SOURCE_DIR}/resources/texts/number_types.tsv)
set(VANTREL_NUMBER_TYPES_CPP ${VANTREL_GENERATED_DIR}/divination/number_types.cpp)
add_custom_command(
  OUTPUT ${VANTREL_NUMBER_TYPES_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_GENERATED_DIR}/divination
  COMMAND vantrel-gen-numbertypes ${VANTREL_NUMBER_TYPES_TSV} ${VANTREL_NUMBER_TYPES_CPP}
  DEPENDS vantrel-gen-numbertypes ${VANTREL_NUMBER_TYPES_TSV}
  COMMENT "Compiling the number type texts"
  VERBATIM)
add_custom_target(vantrel_number_types DEPENDS ${VANTREL_NUMBER_TYPES_CPP})
target_sources(vantrel_core PRIVATE ${VANTREL_NUMBER_TYPES_CPP})
add_dependencies(vantrel_core vantrel_number_types)
