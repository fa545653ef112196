# The project version is written once, in project (); the texts that hosts
# see are generated from it into the build tree as common/version.h.
set (DERAZID_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file ("${PROJECT_SOURCE_DIR}/source/common/version.h.in"
                "${DERAZID_GENERATED_DIR}/common/version.h" @ONLY)

add_library (derazid_version INTERFACE)
target_include_directories (derazid_version INTERFACE "${DERAZID_GENERATED_DIR}")
