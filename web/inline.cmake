# Writes OUT: the page PAGE with the program's script SCRIPT (which holds its
# WebAssembly) in the place of @PROGRAM@, so that the page is one file that
# opens from disk. A "</script" inside the script would end it early.
file(READ ${SCRIPT} PROGRAM)
string(REPLACE "</script" "<\\/script" PROGRAM "${PROGRAM}")
configure_file(${PAGE} ${OUT} @ONLY)
