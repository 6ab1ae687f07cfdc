# cmake -DSOURCE=... -DTARGET=... -P CopyIfMissing.cmake
# Puts the empty event file in place for a first start, never over a user's file.
if(NOT EXISTS "${TARGET}")
  # Event files hold command lines: other users have no business there.
  file(COPY_FILE "${SOURCE}" "${TARGET}")
  file(CHMOD "${TARGET}" PERMISSIONS OWNER_READ OWNER_WRITE)
endif()
