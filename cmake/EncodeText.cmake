# cmake -DSOURCE=<UTF-8 text> -DOUTPUT=<file> -P EncodeText.cmake
# Writes the text with CR LF line ends in code page 932, as the commands read their text files.
file(READ "${SOURCE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.utf8" "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP932 "${OUTPUT}.utf8" -o "${OUTPUT}"
  RESULT_VARIABLE result)
file(REMOVE "${OUTPUT}.utf8")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot convert ${SOURCE} to code page 932")
endif()
