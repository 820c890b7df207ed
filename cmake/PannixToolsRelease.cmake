# The official tools' deployment values, checked where they are set: a sum that is not 64
# hexadecimal digits would blame every genuine file at run time, and the folder the archive holds is
# known from the address alone, also when a mirror names the file in a query
# (".../download.php?file=scrcpy-linux-x86_64-v4.1.tar.gz").
#
# pannix_tools_release(<url> <sha256> <folder> <sha256_out> <folder_out>): <folder> may be empty, and is
# then the archive's name less its extension, from the address's last path part or else from the first
# query value that ends in .zip, .tar.gz or .tgz. Configuring stops, naming the value, when either
# cannot be had.
function(pannix_tools_release url sha256 folder sha256_out folder_out)
    string(TOLOWER "${sha256}" sum)
    if(NOT sum MATCHES "^[0-9a-f]+$" OR NOT sum MATCHES "^................................................................$")
        message(FATAL_ERROR "PANNIX_TOOLS_SHA256 must be 64 hexadecimal digits, not \"${sha256}\"")
    endif()
    set(archive_extension "(\\.tar\\.gz|\\.tgz|\\.zip)$")
    if(folder STREQUAL "")
        string(REGEX REPLACE "#.*$" "" address "${url}")
        string(FIND "${address}" "?" query_at)
        if(query_at GREATER_EQUAL 0)
            math(EXPR query_start "${query_at} + 1")
            string(SUBSTRING "${address}" ${query_start} -1 query)
            string(SUBSTRING "${address}" 0 ${query_at} address)
        else()
            set(query "")
        endif()
        string(REGEX REPLACE "^.*/" "" name "${address}")
        if(NOT name MATCHES "${archive_extension}")
            set(name "")
            string(REPLACE "&" ";" parameters "${query}")
            foreach(parameter IN LISTS parameters)
                string(REGEX REPLACE "^[^=]*=" "" value "${parameter}")
                string(REGEX REPLACE "^.*(/|%2F|%2f)" "" value "${value}")
                if(name STREQUAL "" AND value MATCHES "${archive_extension}")
                    set(name "${value}")
                endif()
            endforeach()
        endif()
        if(name STREQUAL "")
            message(FATAL_ERROR "PANNIX_TOOLS_URL names no .zip, .tar.gz or .tgz archive: \"${url}\"; "
                "set PANNIX_TOOLS_FOLDER to the archive's top folder")
        endif()
        string(REGEX REPLACE "${archive_extension}" "" folder "${name}")
    endif()
    if(NOT folder MATCHES "^[A-Za-z0-9._-]+$" OR folder MATCHES "^\\.\\.?$")
        message(FATAL_ERROR "PANNIX_TOOLS_FOLDER must be a plain folder name, not \"${folder}\"")
    endif()
    set(${sha256_out} "${sum}" PARENT_SCOPE)
    set(${folder_out} "${folder}" PARENT_SCOPE)
endfunction()
