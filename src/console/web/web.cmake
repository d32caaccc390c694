# The browser version, assembled in <build>/site for any static web server
# and for a page opened from disk: the page, hulgor.js (the WebAssembly
# inside it: a browser loads no .wasm beside a page opened from disk), the
# terminal (xterm.js from the npm registry, versions pinned in
# package-lock.json, installed with npm ci at build time), the eight sounds,
# and for a page served over HTTP(S) the web app manifest, its icons and the
# service worker.
set(HULGOR_SITE ${CMAKE_BINARY_DIR}/site)
set(HULGOR_WEB ${CMAKE_CURRENT_SOURCE_DIR}/src/console/web)

# Asyncify turns the game's blocking waits (key, line, pause, storage flush)
# into waits for the browser; the game starts once the saves are loaded.
set_target_properties(hulgor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HULGOR_SITE})
# A build from before the WebAssembly went into hulgor.js left it beside.
file(REMOVE ${HULGOR_SITE}/hulgor.wasm)

# The checkpoint labels the page accepts in a loaded save, taken from the
# game's table of resume places.
set(page_checkpoints ${CMAKE_BINARY_DIR}/generated/page_checkpoints.js)
add_custom_command(OUTPUT ${page_checkpoints}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR} -DOUT=${page_checkpoints}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/tools/checkpoint_labels.cmake
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/story/chapter_run.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/state/game_state.h
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/checkpoint_labels.cmake
  COMMENT "Listing the checkpoint labels for the page" VERBATIM)
add_custom_target(page_checkpoints DEPENDS ${page_checkpoints})
add_dependencies(hulgor page_checkpoints)
target_link_options(hulgor PRIVATE
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sINVOKE_RUN=0 -sALLOW_MEMORY_GROWTH
  -sFORCE_FILESYSTEM -sENVIRONMENT=web -sSINGLE_FILE=1
  "SHELL:--pre-js ${HULGOR_WEB}/page_language.js" "SHELL:--pre-js ${HULGOR_WEB}/page_offline.js"
  "SHELL:--pre-js ${HULGOR_WEB}/page_storage.js" "SHELL:--pre-js ${HULGOR_WEB}/page.js"
  "SHELL:--pre-js ${HULGOR_WEB}/page_settings.js" "SHELL:--pre-js ${page_checkpoints}"
  "SHELL:--pre-js ${HULGOR_WEB}/page_saves.js")
set_property(TARGET hulgor APPEND PROPERTY LINK_DEPENDS
  ${HULGOR_WEB}/page_language.js ${HULGOR_WEB}/page_offline.js ${HULGOR_WEB}/page_storage.js ${HULGOR_WEB}/page.js ${HULGOR_WEB}/page_settings.js
  ${page_checkpoints} ${HULGOR_WEB}/page_saves.js)
# emcc's JavaScript optimizer needs acorn, which Debian keeps in /usr/share/nodejs.
if(EXISTS /usr/share/nodejs/acorn)
  set_target_properties(hulgor make_sounds PROPERTIES
    CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
endif()
# The page's sounds come from the generator built for this machine (below);
# the generator built as WebAssembly is of no use here.
set_target_properties(make_sounds PROPERTIES EXCLUDE_FROM_ALL TRUE)

# The sounds, made by the generator built for this machine.
find_program(HULGOR_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
set(host_make_sounds ${CMAKE_BINARY_DIR}/host/make_sounds)
add_custom_command(OUTPUT ${host_make_sounds}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${HULGOR_HOST_CXX} -std=c++20 -O2 ${CMAKE_CURRENT_SOURCE_DIR}/tools/make_sounds.cpp
    -o ${host_make_sounds}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/make_sounds.cpp
  COMMENT "Building the sound generator for this machine")
set(site_sounds ${HULGOR_SOUND_FILES})
list(TRANSFORM site_sounds REPLACE "^.*/" "${HULGOR_SITE}/")
add_custom_command(OUTPUT ${site_sounds}
  COMMAND ${host_make_sounds} ${HULGOR_SITE}
  DEPENDS ${host_make_sounds}
  COMMENT "Generating the game's sounds for the page")

# The terminal, exactly the versions in package-lock.json.
find_program(HULGOR_NPM npm REQUIRED)
set(npm_dir ${CMAKE_BINARY_DIR}/npm)
file(MAKE_DIRECTORY ${npm_dir})
set(xterm_dir ${npm_dir}/node_modules/@xterm)
set(site_terminal ${HULGOR_SITE}/xterm.js ${HULGOR_SITE}/xterm.css ${HULGOR_SITE}/addon-fit.js
  ${HULGOR_SITE}/xterm-LICENSE.txt)
add_custom_command(OUTPUT ${site_terminal}
  COMMAND ${CMAKE_COMMAND} -E copy ${HULGOR_WEB}/package.json ${HULGOR_WEB}/package-lock.json ${npm_dir}
  COMMAND ${HULGOR_NPM} ci --ignore-scripts --no-audit --no-fund --loglevel=error
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HULGOR_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${xterm_dir}/xterm/lib/xterm.js ${xterm_dir}/xterm/css/xterm.css
    ${xterm_dir}/addon-fit/lib/addon-fit.js ${HULGOR_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${xterm_dir}/xterm/LICENSE ${HULGOR_SITE}/xterm-LICENSE.txt
  WORKING_DIRECTORY ${npm_dir}
  DEPENDS ${HULGOR_WEB}/package.json ${HULGOR_WEB}/package-lock.json
  COMMENT "Installing the terminal for the page (npm ci)")

# The page, its manifest and the game's icon (data/icon/): the SVG as the
# favicon, two PNG sizes for the home screen.
set(site_page ${HULGOR_SITE}/index.html ${HULGOR_SITE}/manifest.webmanifest ${HULGOR_SITE}/icon-192.png
  ${HULGOR_SITE}/icon-512.png ${HULGOR_SITE}/hulgor.svg)
add_custom_command(OUTPUT ${site_page}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HULGOR_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${HULGOR_WEB}/index.html ${HULGOR_WEB}/manifest.webmanifest
    ${HULGOR_WEB}/icon-192.png ${HULGOR_WEB}/icon-512.png ${CMAKE_CURRENT_SOURCE_DIR}/data/icon/hulgor.svg ${HULGOR_SITE}
  DEPENDS ${HULGOR_WEB}/index.html ${HULGOR_WEB}/manifest.webmanifest ${HULGOR_WEB}/icon-192.png
    ${HULGOR_WEB}/icon-512.png ${CMAKE_CURRENT_SOURCE_DIR}/data/icon/hulgor.svg)

# The service worker, written last: it lists every other file of the site
# and is named after their contents.
add_custom_command(OUTPUT ${HULGOR_SITE}/service-worker.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${HULGOR_SITE} -DTEMPLATE=${HULGOR_WEB}/service_worker.js
    -P ${HULGOR_WEB}/service_worker.cmake
  DEPENDS hulgor $<TARGET_FILE:hulgor> ${site_sounds} ${site_terminal} ${site_page} ${HULGOR_WEB}/service_worker.js
    ${HULGOR_WEB}/service_worker.cmake
  COMMENT "Writing the page's service worker")

add_custom_target(site ALL DEPENDS ${site_sounds} ${site_terminal} ${site_page} ${HULGOR_SITE}/service-worker.js)
