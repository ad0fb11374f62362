# Compiler flags of everything the game ships (the tests, the benchmark and
# the fuzzers keep the plain flags): all warnings, and Debian's hardening
# (dpkg-buildflags with hardening=+all: fortified functions, stack
# protector, full RELRO with immediate binding), as a Debian package build
# uses them. Sanitizer builds bring their own instrumentation instead.
set(KOVRA_SHIPPED_COMPILE_OPTIONS -Wall -Wextra)
set(KOVRA_SHIPPED_LINK_OPTIONS)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT KOVRA_SANITIZE)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Asked once per build folder: each call is a Perl start, on every configure.
    if(NOT DEFINED KOVRA_DPKG_${kind})
      execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                      ${DPKG_BUILDFLAGS} --get ${kind}
                      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      set(KOVRA_DPKG_${kind} "${flags}" CACHE INTERNAL "dpkg-buildflags --get ${kind}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${KOVRA_DPKG_${kind}}")
    # The build type chooses optimisation and debug info; a prefix map made
    # from the folder cmake was run in would make ccache miss across trees.
    list(FILTER flags EXCLUDE REGEX "^-O|^-g$|^-ffile-prefix-map=|^-fdebug-prefix-map=")
    if(kind STREQUAL "LDFLAGS")
      list(APPEND KOVRA_SHIPPED_LINK_OPTIONS ${flags})
    else()
      list(APPEND KOVRA_SHIPPED_COMPILE_OPTIONS ${flags})
    endif()
  endforeach()
endif()

# Applied once every folder has made its targets, to those outside tests/,
# bench/ and fuzz/.
function(kovra_apply_shipped_flags dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
      set_property(TARGET ${target} APPEND PROPERTY COMPILE_OPTIONS ${KOVRA_SHIPPED_COMPILE_OPTIONS})
      if(NOT type MATCHES "^(STATIC|OBJECT)_LIBRARY$")
        set_property(TARGET ${target} APPEND PROPERTY LINK_OPTIONS ${KOVRA_SHIPPED_LINK_OPTIONS})
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${sub})
    if(NOT rel MATCHES "^(tests|bench|fuzz)(/|$)")
      kovra_apply_shipped_flags(${sub})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kovra_apply_shipped_flags ${CMAKE_SOURCE_DIR})

# Every compiler's messages are kept beside its object file (<object>.warnings,
# only when there are any), so a test can list the build's warnings however
# little was recompiled; ccache replays them on a hit.
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_SOURCE_DIR}/scripts/keep-warnings.sh ${CMAKE_CXX_COMPILER_LAUNCHER})
