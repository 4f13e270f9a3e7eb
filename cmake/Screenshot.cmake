# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's picture of the window, drawn by the program's own form code:
#   cmake --build <build dir> --target plinvex-screenshot
# rewrites doc/screenshot.png. The renderer is built with everything else so it
# keeps compiling, and a test renders it into the build tree.
add_executable(plinvex_screenshot app/screenshot_main.cpp)
target_link_libraries(plinvex_screenshot PRIVATE plinvex_app)

add_custom_target(plinvex-screenshot
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:plinvex_screenshot> ${PROJECT_SOURCE_DIR}/doc/screenshot.png
    COMMENT "Rendering the main window into doc/screenshot.png"
    VERBATIM)
