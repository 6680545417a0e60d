# Profile-guided optimisation of the optimised builds. The canvas sends every pixel through its
# record's PixelSet slot; with a profile of the headless front end (and link-time optimisation,
# which brings the LCD's setter and the generic primitives together) the compiler guesses the
# usual setter and inlines it behind a check, keeping the slot call for every other canvas.
#
# ORVEL_PROFILE: empty (off), "generate" (instrumented build that writes the profile when it
# exits) or "use" (build from the profile; missing or stale data only warns).
set(ORVEL_PROFILE "" CACHE STRING "Profile-guided optimisation: empty, generate or use")
set_property(CACHE ORVEL_PROFILE PROPERTY STRINGS "" generate use)
set(ORVEL_PROFILE_DIR "${CMAKE_BINARY_DIR}/profile-data" CACHE PATH "Where the profile is written and read")

if(ORVEL_PROFILE STREQUAL "")
  return()
elseif(NOT ORVEL_PROFILE MATCHES "^(generate|use)$")
  message(FATAL_ERROR "ORVEL_PROFILE must be empty, generate or use, not '${ORVEL_PROFILE}'")
endif()

# The instrumented and the optimised build live in different folders; naming the profile files
# relative to each build folder lets one read what the other wrote.
add_compile_options("-fprofile-prefix-path=${CMAKE_BINARY_DIR}")
# GCC's buffer-size warnings misfire on the paths that instrumentation and profile-driven threading
# create across modules (an index past a guard that returns); the dev and asan builds keep them.
add_compile_options(-Wno-stringop-overflow)
add_link_options(-Wno-stringop-overflow)

if(ORVEL_PROFILE STREQUAL "generate")
  add_compile_options("-fprofile-generate=${ORVEL_PROFILE_DIR}" -fprofile-update=atomic)
  add_link_options("-fprofile-generate=${ORVEL_PROFILE_DIR}")
else()
  add_compile_options("-fprofile-use=${ORVEL_PROFILE_DIR}" -fprofile-partial-training -Wno-missing-profile
    -Wno-error=coverage-mismatch)
  add_link_options("-fprofile-use=${ORVEL_PROFILE_DIR}" -fprofile-partial-training)
endif()
