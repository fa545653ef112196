# Lays a MODULE target out as a Linux VST3 bundle:
#   <name>.vst3/Contents/x86_64-linux/<name>.so and Contents/Resources/
set (DERAZID_BUNDLE_NAME "za Derazid")
set (DERAZID_BUNDLE_DIR "${CMAKE_BINARY_DIR}/${DERAZID_BUNDLE_NAME}.vst3")
set (DERAZID_BUNDLE_ARCH "${CMAKE_SYSTEM_PROCESSOR}-linux")
set (DERAZID_MODULE_PATH
     "${DERAZID_BUNDLE_DIR}/Contents/${DERAZID_BUNDLE_ARCH}/${DERAZID_BUNDLE_NAME}.so")

# Where the bundle is installed: relative paths lie under the install prefix,
# so the default puts it into <prefix>/lib/vst3, a folder Linux hosts scan.
# An absolute path (a user's ~/.vst3) is taken as it stands.
set (DERAZID_VST3_INSTALL_DIR "lib/vst3" CACHE STRING
     "Folder the VST3 bundle is installed into (relative: under the install prefix)")

function (derazid_make_bundle target)
  cmake_parse_arguments (ARG "" "" "RESOURCES" ${ARGN})
  set_target_properties (${target} PROPERTIES
    OUTPUT_NAME "${DERAZID_BUNDLE_NAME}"
    PREFIX ""
    SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY "${DERAZID_BUNDLE_DIR}/Contents/${DERAZID_BUNDLE_ARCH}")
  set (resource_dir "${DERAZID_BUNDLE_DIR}/Contents/Resources")
  # Copied whenever a resource changes, not only when the module relinks.
  set (copied)
  foreach (resource IN LISTS ARG_RESOURCES)
    get_filename_component (resource_name "${resource}" NAME)
    add_custom_command (OUTPUT "${resource_dir}/${resource_name}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${resource_dir}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${resource}" "${resource_dir}/"
      DEPENDS "${resource}")
    list (APPEND copied "${resource_dir}/${resource_name}")
  endforeach ()
  add_custom_target (${target}_resources ALL DEPENDS ${copied})
  add_dependencies (${target} ${target}_resources)
  derazid_install_bundle ()
endfunction ()

# A bundle is installed whole: the previous one goes first, so that no file
# of an older build stays inside it.
function (derazid_install_bundle)
  set (destination "${DERAZID_VST3_INSTALL_DIR}")
  if (NOT IS_ABSOLUTE "${destination}")
    set (destination "\${CMAKE_INSTALL_PREFIX}/${destination}")
  endif ()
  set (installed "\$ENV{DESTDIR}${destination}/${DERAZID_BUNDLE_NAME}.vst3")
  install (CODE "
    if (EXISTS \"${installed}\" OR IS_SYMLINK \"${installed}\")
      message (STATUS \"Removing: ${installed}\")
      file (REMOVE_RECURSE \"${installed}\")
    endif ()")
  install (DIRECTORY "${DERAZID_BUNDLE_DIR}" DESTINATION "${DERAZID_VST3_INSTALL_DIR}"
           USE_SOURCE_PERMISSIONS)
endfunction ()
