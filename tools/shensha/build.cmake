# The seven shensha rule files: UTF-8 sources in resources/shensha, written
# as GBK with CR LF line ends into the folder "shensha" beside the program.
add_executable(vantrel_gen_shensha ${CMAKE_CURRENT_LIST_DIR}/gen_shensha.cpp)
target_link_libraries(vantrel_gen_shensha PRIVATE vantrel_core)

set(VANTREL_SHENSHA_NAMES niangan.txt nianzhi.txt yuezhi.txt rigan.txt rizhi.txt rizhu.txt rizhus.txt)
set(VANTREL_SHENSHA_SOURCES)
set(VANTREL_SHENSHA_FILES)
foreach(name ${VANTREL_SHENSHA_NAMES})
  list(APPEND VANTREL_SHENSHA_SOURCES ${CMAKE_SOURCE_DIR}/resources/shensha/${name})
  list(APPEND VANTREL_SHENSHA_FILES ${VANTREL_DATA_DIR}/shensha/${name})
endforeach()

add_custom_command(
  OUTPUT ${VANTREL_SHENSHA_FILES}
  COMMAND vantrel_gen_shensha ${CMAKE_SOURCE_DIR}/resources/shensha ${VANTREL_DATA_DIR}/shensha
          ${VANTREL_SHENSHA_NAMES}
  DEPENDS vantrel_gen_shensha ${VANTREL_SHENSHA_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/rule_source.h
  COMMENT "Writing the shensha rule files"
  VERBATIM)
add_custom_target(vantrel_shensha_files DEPENDS ${VANTREL_SHENSHA_FILES})
add_dependencies(vantrel_data vantrel_shensha_files)
