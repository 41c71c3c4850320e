# vorn_application_version(<variable> <major> <minor>): sets <variable> to the
# version the program reports, "<major>.<minor as two digits>", so that
# project version 1.0 reads "1.00" as the version record's strings do. A
# minor version that needs three digits is an error. Kept apart from
# DesktopIdentity.cmake so that tests/desktop can run it with `cmake -P`.
function(vorn_application_version variable major minor)
  if(minor GREATER 99)
    message(FATAL_ERROR "Minor version ${minor} does not fit the two-digit application version")
  endif()
  if(minor LESS 10)
    set(${variable} "${major}.0${minor}" PARENT_SCOPE)
  else()
    set(${variable} "${major}.${minor}" PARENT_SCOPE)
  endif()
endfunction()
