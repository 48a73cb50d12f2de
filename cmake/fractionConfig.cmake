include("${CMAKE_CURRENT_LIST_DIR}/fractionTargets.cmake")
