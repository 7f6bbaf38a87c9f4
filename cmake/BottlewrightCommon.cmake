# One INTERFACE target with the language level, warnings and sanitizer switches that every target links.
add_library(bw_common INTERFACE)
target_compile_features(bw_common INTERFACE cxx_std_20)
target_compile_options(bw_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
set(CMAKE_CXX_EXTENSIONS OFF)
# The version has one home: project(VERSION) in the top CMakeLists.txt.
target_compile_definitions(bw_common INTERFACE BW_VERSION="${PROJECT_VERSION}")

option(BW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(BW_SANITIZE)
    target_compile_options(bw_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined)
    target_link_options(bw_common INTERFACE -fsanitize=address,undefined)
endif()

option(BW_WERROR "Treat warnings as errors" OFF)
if(BW_WERROR)
    target_compile_options(bw_common INTERFACE -Werror)
endif()
