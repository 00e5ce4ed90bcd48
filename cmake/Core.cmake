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

# Generated sources of the core (tables built from resources/) register here.
set(VANTREL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VANTREL_GENERATED_DIR})
