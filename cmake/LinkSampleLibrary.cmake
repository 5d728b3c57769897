# Makes TARGET (the Data folder beside the built programs) the repository's
# Data folder SOURCE itself, so that the programs of the build tree read the
# songs as they are now: a file added, changed or removed there shows at
# once, with no rebuild. Where no link can be made, TARGET is copied anew,
# whole, so that it never keeps a file that SOURCE no longer has.
# Run as: cmake -DSOURCE=... -DTARGET=... -P LinkSampleLibrary.cmake
if(IS_SYMLINK "${TARGET}")
    file(READ_SYMLINK "${TARGET}" current)
    if(current STREQUAL SOURCE)
        return()
    endif()
    file(REMOVE "${TARGET}") # the link only, never what it points to
elseif(EXISTS "${TARGET}")
    file(REMOVE_RECURSE "${TARGET}") # a copy, made by an older build
endif()
file(CREATE_LINK "${SOURCE}" "${TARGET}" RESULT failure SYMBOLIC)
if(failure)
    file(MAKE_DIRECTORY "${TARGET}")
    file(GLOB songs "${SOURCE}/*.txt")
    file(COPY ${songs} DESTINATION "${TARGET}")
endif()
