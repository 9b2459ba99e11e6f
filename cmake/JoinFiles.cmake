# cmake -DOUTPUT=<file> -DINPUTS=<a;b;c> -P JoinFiles.cmake
# Writes the inputs one after another into OUTPUT, byte for byte. Each input is given a final line
# feed when it lacks one, so no section header is glued to the last line of the file before it.
set(joined "")
foreach(input ${INPUTS})
    file(READ ${input} content)
    string(APPEND joined "${content}")
    string(LENGTH "${content}" length)
    if(length GREATER 0)
        math(EXPR last "${length} - 1")
        string(SUBSTRING "${content}" ${last} 1 tail)
        if(NOT tail STREQUAL "\n")
            string(APPEND joined "\n")
        endif()
    endif()
endforeach()
file(WRITE ${OUTPUT}.tmp "${joined}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
