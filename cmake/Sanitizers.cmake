# Sanitizer builds instrument everything, the SDK included, so reports from
# inside the SDK's code reach the tests too.
if (DERAZID_SANITIZE AND DERAZID_TSAN)
  message (FATAL_ERROR "DERAZID_SANITIZE and DERAZID_TSAN exclude each other")
endif ()

if (DERAZID_SANITIZE)
  set (_derazid_sanitize_flags
       -fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero
       -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options (${_derazid_sanitize_flags})
  add_link_options (${_derazid_sanitize_flags})
endif ()

if (DERAZID_TSAN)
  set (_derazid_tsan_flags -fsanitize=thread -fno-omit-frame-pointer)
  add_compile_options (${_derazid_tsan_flags})
  add_link_options (${_derazid_tsan_flags})
endif ()
