# Warning flags for the project's own code. The SDK is compiled without them
# and its headers, like the system's, are included as system headers, so
# DERAZID_WARNINGS_AS_ERRORS fails the build on our warnings only.
option (DERAZID_WARNINGS_AS_ERRORS "Treat warnings in the project's own code as errors" OFF)

add_library (derazid_warnings INTERFACE)
target_compile_options (derazid_warnings INTERFACE -Wall -Wextra)
if (DERAZID_WARNINGS_AS_ERRORS)
  target_compile_options (derazid_warnings INTERFACE -Werror)
endif ()
