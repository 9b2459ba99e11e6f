# Compile settings shared by every target of the project, in one INTERFACE target.
add_library(vqn58_options INTERFACE)
target_compile_features(vqn58_options INTERFACE cxx_std_20)
target_compile_options(vqn58_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>
    $<$<BOOL:${VQN58_WERROR}>:-Werror>)
target_compile_definitions(vqn58_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(VQN58_SANITIZE)
    target_compile_options(vqn58_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(vqn58_options INTERFACE -fsanitize=address,undefined)
endif()

if(VQN58_FUZZ)
    # Undefined behaviour stops the run like a failed check, so the fuzzer keeps the input that caused it.
    target_compile_options(vqn58_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -g
        -fno-sanitize-recover=undefined)
    target_link_options(vqn58_options INTERFACE -fsanitize=address,undefined)
endif()
