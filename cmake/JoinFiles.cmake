# cmake -DOUTPUT=<file> -DINPUTS=<a;b;c> [-DVERSION=<x.y.z>] -P JoinFiles.cmake
# Writes the inputs one after another into OUTPUT, byte for byte, except that each @VQN58_VERSION@ becomes
# VERSION (the project's version, so the texts that show it never disagree with the package). Each input
# is given a final line feed when it lacks one, so no section header is glued to the last line of the
# file before it.
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
if(DEFINED VERSION)
    string(REPLACE "@VQN58_VERSION@" "${VERSION}" joined "${joined}")
endif()
file(WRITE ${OUTPUT}.tmp "${joined}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
