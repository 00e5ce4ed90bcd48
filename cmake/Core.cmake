# The core library: everything without a window. Each subsystem folder
# contributes its sources; new files are picked up without editing this list.
file(GLOB VANTREL_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/common/*.cpp
  ${CMAKE_SOURCE_DIR}/calendar/*.cpp
  ${CMAKE_SOURCE_DIR}/data/*.cpp
  ${CMAKE_SOURCE_DIR}/chart/*.cpp
  ${CMAKE_SOURCE_DIR}/reports/*.cpp
  ${CMAKE_SOURCE_DIR}/divination/*.cpp)

add_library(vantrel_core STATIC ${VANTREL_CORE_SOURCES})
target_include_directories(vantrel_core PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(vantrel_core PUBLIC SQLite::SQLite3)
# Traditional Chinese output: OpenCC's conversion and its phrase dictionaries.
find_package(PkgConfig REQUIRED)
pkg_check_modules(OPENCC REQUIRED IMPORTED_TARGET opencc)
target_link_libraries(vantrel_core PUBLIC PkgConfig::OPENCC)

# Generated sources of the core (tables built from resources/) register here.
set(VANTREL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VANTREL_GENERATED_DIR})

# The birthplaces of the true-solar-time correction, compiled in from their
# reviewable table.
set(VANTREL_PLACES_TSV ${CMAKE_SOURCE_DIR}/resources/places/places.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTREL_PLACES_TSV})
file(READ ${VANTREL_PLACES_TSV} VANTREL_PLACES_TEXT)
configure_file(${CMAKE_SOURCE_DIR}/calendar/places_data.cpp.in ${VANTREL_GENERATED_DIR}/places_data.cpp @ONLY)
target_sources(vantrel_core PRIVATE ${VANTREL_GENERATED_DIR}/places_data.cpp)
