# yurb_fetch_leaflet(<variable>)
# The map page's library: Leaflet 1.9.4 as the npm registry packs it. npm
# fetches the package once into the build tree; its SHA-512 must match the one
# below. Sets <variable> to the unpacked dist/ folder.
function(yurb_fetch_leaflet out)
    set(version 1.9.4)
    set(sha512 9f14b5ca7cc93a63a51e9fa22f71725aa2bcf46b4d2fc53caef94c3ac41d4d3b2cc59c025e1f0dd8d07718340e2fe611dd79d6c99031c108b15116fe140ef83c)
    set(folder ${CMAKE_BINARY_DIR}/npm)
    set(archive ${folder}/leaflet-${version}.tgz)
    set(dist ${folder}/package/dist)
    if(NOT EXISTS ${dist}/leaflet.js)
        find_program(YURB_NPM npm)
        if(NOT YURB_NPM)
            message(FATAL_ERROR "npm not found: the map page needs leaflet@${version} from the "
                "npm registry. Run scripts/install-deps.sh first.")
        endif()
        file(MAKE_DIRECTORY ${folder})
        execute_process(COMMAND ${YURB_NPM} pack --silent leaflet@${version}
            WORKING_DIRECTORY ${folder} RESULT_VARIABLE result ERROR_VARIABLE error
            OUTPUT_QUIET)
        if(NOT result EQUAL 0 OR NOT EXISTS ${archive})
            message(FATAL_ERROR "Could not fetch leaflet@${version} from the npm registry "
                "(npm pack: ${result}).\n${error}")
        endif()
        file(SHA512 ${archive} actual)
        if(NOT actual STREQUAL sha512)
            file(REMOVE ${archive})
            message(FATAL_ERROR "leaflet-${version}.tgz from the npm registry has an "
                "unexpected SHA-512: ${actual}")
        endif()
        file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${folder} PATTERNS package/dist)
    endif()
    set(${out} ${dist} PARENT_SCOPE)
endfunction()
