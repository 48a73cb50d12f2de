# Writes the program that runs a page's examples and checks their results
# (examples.cmake). Variables: PAGE, LABEL, OUTPUT.
include("${CMAKE_CURRENT_LIST_DIR}/examples.cmake")
read_examples("${PAGE}" "${LABEL}")
file(WRITE "${OUTPUT}" "${examples_program}")
