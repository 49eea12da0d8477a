#The plane geometry the trim commands share.Included once from whichever folder needs it first.
add_library(pipetrim_trim_geometry STATIC ${CMAKE_CURRENT_LIST_DIR} / trim_geometry.cpp)
    target_include_directories(pipetrim_trim_geometry PUBLIC ${CMAKE_CURRENT_LIST_DIR})
        target_link_libraries(pipetrim_trim_geometry PRIVATE pipetrim_diroru pipetrim_warnings)

#The host calls the trim commands' output routines share.
            add_library(pipetrim_trim_output STATIC ${CMAKE_CURRENT_LIST_DIR} / trim_output.cpp)
                target_include_directories(pipetrim_trim_output PUBLIC ${CMAKE_CURRENT_LIST_DIR})
                    target_link_libraries(pipetrim_trim_output PUBLIC pipetrim_trim_geometry
                                              pipetrim_framework PRIVATE pipetrim_warnings)
