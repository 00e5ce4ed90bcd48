# vantrel-gen-pinyin rebuilds the committed pinyin tables
# (divination/pinyin_table.cpp) from ICU. It is built only on request and
# never runs during a build: the program does not need ICU.
find_package(ICU COMPONENTS uc i18n QUIET)
if(ICU_FOUND)
  add_executable(vantrel-gen-pinyin EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
  target_include_directories(vantrel-gen-pinyin PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(vantrel-gen-pinyin PRIVATE ICU::i18n ICU::uc)
  set_target_properties(vantrel-gen-pinyin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endif()
