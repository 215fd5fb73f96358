# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Style by tools, not review: `format` rewrites every C++ file of the project with the committed
# .clang-format, `format-check` fails on any file that `format` would change (CI runs it first).
set(_z408_format_globs)
foreach(_dir IN ITEMS src tools tests bench fuzz)
    list(APPEND _z408_format_globs ${PROJECT_SOURCE_DIR}/${_dir}/*.cpp ${PROJECT_SOURCE_DIR}/${_dir}/*.h)
endforeach()
# Relative to the source root, so that the command line stays short and the messages readable.
file(GLOB_RECURSE _z408_format_files CONFIGURE_DEPENDS
    RELATIVE ${PROJECT_SOURCE_DIR} ${_z408_format_globs})
list(SORT _z408_format_files)

find_program(Z408_CLANG_FORMAT NAMES clang-format clang-format-14
    DOC "clang-format for the format and format-check targets")
if(Z408_CLANG_FORMAT)
    add_custom_target(format
        COMMAND ${Z408_CLANG_FORMAT} -i --style=file ${_z408_format_files}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Formatting the C++ files with clang-format"
        VERBATIM)
    add_custom_target(format-check
        COMMAND ${Z408_CLANG_FORMAT} --dry-run --Werror --style=file ${_z408_format_files}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Checking the format of the C++ files"
        VERBATIM)
else()
    # Without clang-format the targets still exist and say what is missing, instead of a build
    # tool's "unknown target".
    foreach(_target format format-check)
        add_custom_target(${_target}
            COMMAND ${CMAKE_COMMAND} -E echo "clang-format not found: install it (scripts/install-deps.sh)"
            COMMAND ${CMAKE_COMMAND} -E false
            VERBATIM)
    endforeach()
endif()
