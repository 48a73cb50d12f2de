# What each of the project's libraries (fraction, fraction-big) sets on its
# target: fraction_library(TARGET BASE_NAME EXPORT_HEADER EXPORTS_MAP)
# makes it position-independent, hides all but what carries
# <BASE_NAME>_EXPORT, versions it, reaches its per-thread cache with
# initial-exec TLS and exports through EXPORTS_MAP where it is a shared ELF
# library, and generates EXPORT_HEADER.
function(fraction_library target base_name export_header exports_map)
  # Position-independent even when static, so that a consumer's shared
  # library or plugin can link it in; a user's CMAKE_POSITION_INDEPENDENT_CODE
  # decides where it is set.
  if(NOT DEFINED CMAKE_POSITION_INDEPENDENT_CODE)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  endif()

  # Only what carries the export macro is visible outside a shared build.
  # The SONAME changes with the major version, as the package's
  # SameMajorVersion compatibility promises; on Windows VERSION sets the
  # DLL's image version and the name stays lib<name>.dll (MinGW) or
  # <name>.dll (MSVC).
  set_target_properties(${target} PROPERTIES
    CXX_EXTENSIONS OFF
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY" AND UNIX AND NOT APPLE)
    target_link_options(${target} PRIVATE "LINKER:--version-script=${exports_map}")
    set_target_properties(${target} PROPERTIES LINK_DEPENDS "${exports_map}")
    # Each library keeps a per-thread cache of freed blocks. Position-
    # independent code reaches it through __tls_get_addr, which in a shared
    # library stays a call and doubles the time of TFrac's Reverse;
    # initial-exec is one load. A shared library loaded with dlopen (as a
    # plugin's dependency) then takes its few bytes of TLS from the static
    # block that glibc keeps spare for such libraries. The static library
    # keeps the default model: in an executable the linker turns it into the
    # direct access anyway, and in a consumer's plugin it stays safe to
    # dlopen without a limit.
    target_compile_options(${target} PRIVATE -ftls-model=initial-exec)
  endif()

  # A static library needs no import or export, and its users must not have
  # to say that it is static: the header of a static build empties the
  # macros itself.
  set(static_tail "")
  if(type STREQUAL "STATIC_LIBRARY")
    string(JOIN "\n" static_tail
      "/* A static build: nothing is imported or exported. */"
      "#undef ${base_name}_EXPORT" "#define ${base_name}_EXPORT"
      "#undef ${base_name}_NO_EXPORT" "#define ${base_name}_NO_EXPORT" "")
  endif()
  include(GenerateExportHeader)
  generate_export_header(${target}
    BASE_NAME ${base_name}
    EXPORT_FILE_NAME "${export_header}"
    CUSTOM_CONTENT_FROM_VARIABLE static_tail)
endfunction()
