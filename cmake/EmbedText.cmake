# Writes OUTPUT, a header that defines the C string NAME holding the text of
# the file INPUT, or an empty string when INPUT is empty.
#   cmake -DINPUT=<file or empty> -DOUTPUT=<header> -DNAME=<identifier> -P EmbedText.cmake
set(text "")
if(INPUT)
  file(READ "${INPUT}" text)
endif()
# A raw string: PEM text holds no ")text".
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}.\nconst char ${NAME}[] = R\"text(${text})text\";\n")
