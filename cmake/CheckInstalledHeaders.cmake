# SPDX-FileCopyrightText: 2026 The BelegAdressen developers
# SPDX-License-Identifier: MIT

# Fails when an installed header includes a project header that is not
# installed. Run as
#   cmake -DINCLUDE_DIR=<prefix>/include/belegadressen -P CheckInstalledHeaders.cmake
# or, to prove that the check catches a leak,
#   cmake -DSELF_TEST=<scratch dir> -P CheckInstalledHeaders.cmake
# Only quoted includes are project headers; <...> includes belong to Qt and
# the standard library.

function(ba_leaking_includes dir out)
  file(GLOB_RECURSE headers RELATIVE ${dir} ${dir}/*.h)
  if(NOT headers)
    set(${out} "no headers below ${dir}" PARENT_SCOPE)
    return()
  endif()
  set(leaks "")
  foreach(header ${headers})
    file(STRINGS ${dir}/${header} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
      get_filename_component(here ${header} DIRECTORY)
      # A quoted include resolves beside the including file first, then
      # below the include root.
      if(NOT EXISTS ${dir}/${here}/${included} AND NOT EXISTS ${dir}/${included})
        list(APPEND leaks "${header} includes \"${included}\", which is not installed")
      endif()
    endforeach()
  endforeach()
  set(${out} "${leaks}" PARENT_SCOPE)
endfunction()

if(SELF_TEST)
  set(root ${SELF_TEST}/include/belegadressen)
  file(REMOVE_RECURSE ${SELF_TEST})
  file(WRITE ${root}/control/Public.h "#pragma once\n#include \"contracts/Contract.h\"\n")
  file(WRITE ${root}/contracts/Contract.h "#pragma once\n#include <QString>\n")
  ba_leaking_includes(${root} leaks)
  if(leaks)
    message(FATAL_ERROR "the check refuses a clean tree: ${leaks}")
  endif()
  file(APPEND ${root}/control/Public.h "#include \"control/Internal.h\"\n")
  ba_leaking_includes(${root} leaks)
  if(NOT leaks MATCHES "control/Public.h includes \"control/Internal.h\"")
    message(FATAL_ERROR "the check misses an internal include: '${leaks}'")
  endif()
  file(REMOVE_RECURSE ${SELF_TEST})
  message(STATUS "the header check finds an internal include")
  return()
endif()

if(NOT INCLUDE_DIR)
  message(FATAL_ERROR "give -DINCLUDE_DIR=<prefix>/include/belegadressen")
endif()
ba_leaking_includes(${INCLUDE_DIR} leaks)
if(leaks)
  list(JOIN leaks "\n  " text)
  message(FATAL_ERROR "installed headers include internal ones:\n  ${text}")
endif()
file(GLOB_RECURSE headers RELATIVE ${INCLUDE_DIR} ${INCLUDE_DIR}/*.h)
list(LENGTH headers count)
message(STATUS "${count} installed headers include only installed headers")
