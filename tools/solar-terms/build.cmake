# The solar-term table compiled into the almanac library (see cmake/Core.cmake).
add_executable(vantrel-solar-terms-gen ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vantrel-solar-terms-gen PRIVATE vantrel_tools_lib)
