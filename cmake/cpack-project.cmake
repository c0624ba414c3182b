# Read by cpack for each package it makes: the time its archives record.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_CHANGELOG_TIMESTAMP)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_CHANGELOG_TIMESTAMP})
endif()
