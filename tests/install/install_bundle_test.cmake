# Installs the build tree's bundle as a user and as a package build would,
# each twice, into a scratch folder, and checks what lands there: the bundle
# in the VST3 folder and nothing beside it, its module and UI description in
# their places, and no file of an earlier install left inside it.
#   -DBUILD_DIR=   the build tree to install from
#   -DWORK_DIR=    scratch folder, emptied first
#   -DINSTALL_DIR= the build's DERAZID_VST3_INSTALL_DIR, a relative one
#   -DBUNDLE_NAME= -DBUNDLE_ARCH=
cmake_minimum_required (VERSION 3.25)

function (install_bundle)
  execute_process (COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" ${ARGN}
                   RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if (NOT result EQUAL 0)
    message (FATAL_ERROR "cmake --install ${ARGN} failed:\n${output}")
  endif ()
endfunction ()

function (expect_exists path)
  if (NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    message (FATAL_ERROR "missing: ${path}")
  endif ()
endfunction ()

function (expect_layout bundle)
  expect_exists ("${bundle}/Contents/${BUNDLE_ARCH}/${BUNDLE_NAME}.so")
  expect_exists ("${bundle}/Contents/Resources/plug.uidesc")
endfunction ()

# Installs twice with a foreign file planted in between, which must be gone.
function (install_twice bundle)
  install_bundle (${ARGN})
  expect_layout ("${bundle}")
  set (stale "${bundle}/Contents/Resources/left-over.uidesc")
  file (WRITE "${stale}" "an older build's file")
  install_bundle (${ARGN})
  expect_layout ("${bundle}")
  if (EXISTS "${stale}")
    message (FATAL_ERROR "a second install left ${stale}")
  endif ()
endfunction ()

file (REMOVE_RECURSE "${WORK_DIR}")

# Into a prefix of its own (the module tests load the bundle from there): the
# bundle goes to <prefix>/lib/vst3 and nowhere else.
set (prefix "${WORK_DIR}/prefix")
install_twice ("${prefix}/${INSTALL_DIR}/${BUNDLE_NAME}.vst3" --prefix "${prefix}")
file (GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
foreach (file IN LISTS installed)
  if (NOT file MATCHES "^${INSTALL_DIR}/${BUNDLE_NAME}\\.vst3/")
    message (FATAL_ERROR "installed outside the bundle: ${prefix}/${file}")
  endif ()
endforeach ()

# Staged under DESTDIR, as a package build does: the old bundle removed is
# the staged one, and nothing is written under the real prefix.
set (ENV{DESTDIR} "${WORK_DIR}/stage")
set (real_prefix "/nonexistent/derazid-install-test")
install_twice ("$ENV{DESTDIR}${real_prefix}/${INSTALL_DIR}/${BUNDLE_NAME}.vst3"
               --prefix "${real_prefix}")
if (EXISTS "${real_prefix}")
  message (FATAL_ERROR "a staged install wrote to ${real_prefix}")
endif ()
