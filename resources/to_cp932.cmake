# cmake -DICONV=<iconv> -DSOURCE=<UTF-8 text> -DTARGET=<output> -P to_cp932.cmake
#
# Writes SOURCE to TARGET in CP932 with CR LF after every line, the last one included (the
# form tabora writes its settings in). Line ends of the source may be LF or CR LF, so a
# checkout with converted line ends gives the same bytes. Fails, leaving no TARGET, when a
# character has no CP932 form.
foreach(var ICONV SOURCE TARGET)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "to_cp932.cmake: ${var} is not set")
    endif()
endforeach()

file(READ "${SOURCE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
if(NOT text MATCHES "\n$")
    string(APPEND text "\n")
endif()
string(REPLACE "\n" "\r\n" text "${text}")

get_filename_component(target_dir "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${target_dir}")
set(crlf "${TARGET}.crlf")
set(partial "${TARGET}.partial")
file(WRITE "${crlf}" "${text}")

execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t CP932 "${crlf}"
    OUTPUT_FILE "${partial}"
    ERROR_VARIABLE error
    RESULT_VARIABLE result)
file(REMOVE "${crlf}")
if(NOT result EQUAL 0)
    file(REMOVE "${partial}")
    message(FATAL_ERROR "to_cp932.cmake: ${SOURCE} cannot be converted to CP932: ${error}")
endif()
file(RENAME "${partial}" "${TARGET}")
