# The core: everything without a window, one static library per folder
# (vantrel_<folder>_lib). The folders are layers, each building only on the
# ones before it:
#
#   common < calendar < data < chart < almanac < divination < reports
#
# and each library links only the layers below it, so a source that reaches
# upward does not link (and tools/check-layers.sh, run as a test, names the
# include). New files of a folder are picked up without editing this list.
set(VANTREL_CORE_LAYERS common calendar data chart almanac divination reports)

# Generated sources of the core (tables built from resources/) register here.
set(VANTREL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VANTREL_GENERATED_DIR})

# vantrel_core_layer(<folder> [LINKS <layers and libraries below>...])
function(vantrel_core_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "LINKS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  add_library(vantrel_${folder}_lib STATIC ${sources})
  target_include_directories(vantrel_${folder}_lib PUBLIC ${CMAKE_SOURCE_DIR} ${VANTREL_GENERATED_DIR})
  target_link_libraries(vantrel_${folder}_lib PUBLIC ${LAYER_LINKS})
endfunction()

vantrel_core_layer(common)
# Traditional Chinese output: OpenCC's conversion and its phrase dictionaries.
find_package(PkgConfig REQUIRED)
pkg_check_modules(OPENCC REQUIRED IMPORTED_TARGET opencc)
target_link_libraries(vantrel_common_lib PUBLIC PkgConfig::OPENCC)
vantrel_core_layer(calendar LINKS vantrel_common_lib)
vantrel_core_layer(data LINKS vantrel_calendar_lib vantrel_common_lib SQLite::SQLite3)
vantrel_core_layer(chart LINKS vantrel_data_lib vantrel_calendar_lib vantrel_common_lib)
vantrel_core_layer(almanac LINKS vantrel_calendar_lib vantrel_common_lib)
vantrel_core_layer(divination LINKS vantrel_data_lib vantrel_common_lib)
vantrel_core_layer(reports LINKS vantrel_almanac_lib vantrel_chart_lib vantrel_data_lib vantrel_calendar_lib vantrel_common_lib)

# The whole core for the programs, the tests and the benchmarks.
add_library(vantrel_core INTERFACE)
target_link_libraries(vantrel_core INTERFACE vantrel_reports_lib vantrel_divination_lib vantrel_almanac_lib vantrel_chart_lib
                                             vantrel_data_lib vantrel_calendar_lib vantrel_common_lib)

# The birthplaces of the true-solar-time correction, compiled in from their
# reviewable table.
set(VANTREL_PLACES_TSV ${CMAKE_SOURCE_DIR}/resources/places/places.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTREL_PLACES_TSV})
file(READ ${VANTREL_PLACES_TSV} VANTREL_PLACES_TEXT)
configure_file(${CMAKE_SOURCE_DIR}/calendar/places_data.cpp.in ${VANTREL_GENERATED_DIR}/places_data.cpp @ONLY)
target_sources(vantrel_calendar_lib PRIVATE ${VANTREL_GENERATED_DIR}/places_data.cpp)

# The almanac's solar terms, 1900..2101: computed with ERFA by
# vantrel-solar-terms-gen (tools/solar-terms) when the program is built, and
# compiled in, so that the program itself needs no astronomy library.
set(VANTREL_SOLAR_TERM_TABLE ${VANTREL_GENERATED_DIR}/solar_term_table.cpp)
add_custom_command(
  OUTPUT ${VANTREL_SOLAR_TERM_TABLE}
  COMMAND vantrel-solar-terms-gen ${VANTREL_SOLAR_TERM_TABLE}
  DEPENDS vantrel-solar-terms-gen
  COMMENT "Computing the solar terms of 1900-2101"
  VERBATIM)
target_sources(vantrel_almanac_lib PRIVATE ${VANTREL_SOLAR_TERM_TABLE})

# The almanac's rule tables (the glossary words with the book's activities,
# the grades of the days, the spirits placed by plain tables, the lesser
# business of the household), compiled in
# from their reviewable files.
set(VANTREL_ALMANAC_ACTIVITIES_TSV ${CMAKE_SOURCE_DIR}/resources/almanac/activities.tsv)
set(VANTREL_ALMANAC_GRADES_TSV ${CMAKE_SOURCE_DIR}/resources/almanac/grades.tsv)
set(VANTREL_ALMANAC_SPIRITS_TSV ${CMAKE_SOURCE_DIR}/resources/almanac/spirits.tsv)
set(VANTREL_ALMANAC_LESSER_TSV ${CMAKE_SOURCE_DIR}/resources/almanac/lesser.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTREL_ALMANAC_ACTIVITIES_TSV}
                                                               ${VANTREL_ALMANAC_GRADES_TSV}
                                                               ${VANTREL_ALMANAC_SPIRITS_TSV}
                                                               ${VANTREL_ALMANAC_LESSER_TSV})
file(READ ${VANTREL_ALMANAC_ACTIVITIES_TSV} VANTREL_ALMANAC_ACTIVITIES)
file(READ ${VANTREL_ALMANAC_GRADES_TSV} VANTREL_ALMANAC_GRADES)
file(READ ${VANTREL_ALMANAC_SPIRITS_TSV} VANTREL_ALMANAC_SPIRITS)
file(READ ${VANTREL_ALMANAC_LESSER_TSV} VANTREL_ALMANAC_LESSER)
configure_file(${CMAKE_SOURCE_DIR}/almanac/rule_tables.cpp.in ${VANTREL_GENERATED_DIR}/almanac_rule_tables.cpp
               @ONLY)
target_sources(vantrel_almanac_lib PRIVATE ${VANTREL_GENERATED_DIR}/almanac_rule_tables.cpp)
