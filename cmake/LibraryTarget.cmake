# SPDX-FileCopyrightText: 2026 The BelegAdressen developers
# SPDX-License-Identifier: MIT

# The properties every library of ours shares, static or shared: only what
# carries the export macro leaves a shared library (the static one is built
# the same way, so that both see the same symbols), one SOVERSION, and an
# export header whose macro is empty in a static build.
include(GenerateExportHeader)

function(ba_library target export_name macro_base export_header)
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${export_name}
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  # The installed headers use C++20: a consumer on an older standard is raised.
  target_compile_features(${target} INTERFACE cxx_std_20)
  generate_export_header(${target} BASE_NAME ${macro_base}
    EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/${export_header})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    target_compile_definitions(${target} PUBLIC ${macro_base}_STATIC_DEFINE)
  endif()
endfunction()
