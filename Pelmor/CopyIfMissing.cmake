# cmake -DSOURCE=... -DTARGET=... -P CopyIfMissing.cmake
# Puts the empty event file in place for a first start, never over a user's file.
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
