# cmake -DIN=FILE -DOUT=FILE -P text_for_windows.cmake: copies a text file
# with CR LF line ends, as Windows' own editors expect them.
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
