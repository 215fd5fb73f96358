# Common compile settings for every project target: warnings, sanitizers.
add_library(z408_build_options INTERFACE)
target_compile_options(z408_build_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Wold-style-cast -Woverloaded-virtual -Wnull-dereference -Wformat=2)
if(Z408_WERROR)
    target_compile_options(z408_build_options INTERFACE -Werror)
endif()

if(Z408_SANITIZE STREQUAL "address")
    set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
elseif(Z408_SANITIZE STREQUAL "thread")
    set(_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT Z408_SANITIZE STREQUAL "")
    message(FATAL_ERROR "Z408_SANITIZE must be empty, 'address' or 'thread'")
endif()
if(_san)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()

# Installed binaries find their libraries and assets relative to themselves.
set(CMAKE_INSTALL_RPATH "$ORIGIN")
