# The reference texts of resources/texts/ (the 81-number table and its type
# texts, the net-name letter phrases, the almanac glossary, the folk-omen
# pages and the boy/girl chart), compiled into the core by one generator.
# It measures the chart's heading as the report does, with the core's GBK
# text rules (common/text.cpp needs nothing of the core but iconv).
add_executable(vantrel-gen-texts ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${CMAKE_SOURCE_DIR}/common/text.cpp)
target_include_directories(vantrel-gen-texts PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(vantrel-gen-texts PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTREL_TEXTS_DIR ${CMAKE_SOURCE_DIR}/resources/texts)
set(VANTREL_TEXTS_OUTPUTS)
# vantrel_reference_text(KIND OUTPUT INPUT...): OUTPUT is relative to the
# generated folder, the inputs to resources/texts/. The folder of OUTPUT
# names the core library it is compiled into.
function(vantrel_reference_text kind output)
  set(inputs)
  foreach(name ${ARGN})
    list(APPEND inputs ${VANTREL_TEXTS_DIR}/${name})
  endforeach()
  get_filename_component(folder ${VANTREL_GENERATED_DIR}/${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${VANTREL_GENERATED_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND vantrel-gen-texts ${kind} ${VANTREL_GENERATED_DIR}/${output} ${inputs}
    DEPENDS vantrel-gen-texts ${inputs}
    COMMENT "Compiling the reference text ${ARGN}"
    VERBATIM)
  set(VANTREL_TEXTS_OUTPUTS ${VANTREL_TEXTS_OUTPUTS} ${VANTREL_GENERATED_DIR}/${output} PARENT_SCOPE)
  string(REGEX REPLACE "/.*" "" layer ${output})
  target_sources(vantrel_${layer}_lib PRIVATE ${VANTREL_GENERATED_DIR}/${output})
  add_dependencies(vantrel_${layer}_lib vantrel_reference_texts)
endfunction()

vantrel_reference_text(number-types divination/number_types.cpp number_types.tsv)
vantrel_reference_text(number-table divination/number_table.cpp number_table.tsv)
vantrel_reference_text(letter-phrases divination/letter_phrases.cpp letter_phrases.tsv)
vantrel_reference_text(glossary reports/almanac_glossary.cpp almanac_glossary.txt)
vantrel_reference_text(folk-omens reports/folk_omens.cpp folk_omens.txt)
vantrel_reference_text(boy-girl reports/boy_girl_chart.cpp boy_girl_chart.tsv boy_girl_chart.txt)

add_custom_target(vantrel_reference_texts DEPENDS ${VANTREL_TEXTS_OUTPUTS})
