# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

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

# Hardening for package builds, as distributions ask for it: position-independent executables,
# a read-only relocation table bound at start (RELRO, BIND_NOW), stack protector, FORTIFY. Debug
# information stays in, to be split off into the debug package.
if(Z408_PACKAGE)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    target_compile_options(z408_build_options INTERFACE -g -fstack-protector-strong
        -fstack-clash-protection $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
    target_link_options(z408_build_options INTERFACE -Wl,-z,relro -Wl,-z,now -Wl,--as-needed)
endif()
