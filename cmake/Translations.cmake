# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The English translation: lrelease turns resources/translations/plinvex_en.ts
# into a .qm at build time, and the .qm is compiled into the wording library,
# which both front ends link, under :/translations. The source texts are
# Chinese, so Chinese needs no file.
find_package(Qt${QT_VERSION_MAJOR} REQUIRED COMPONENTS LinguistTools)

set(plinvex_ts_files ${PROJECT_SOURCE_DIR}/resources/translations/plinvex_en.ts)
qt_add_translation(plinvex_qm_files ${plinvex_ts_files})

# The .qm files exist only once built, so the resource file naming them is
# written into the build folder beside them.
set(plinvex_translations_qrc ${CMAKE_CURRENT_BINARY_DIR}/plinvex_translations.qrc)
set(plinvex_qrc_entries "")
foreach(qm IN LISTS plinvex_qm_files)
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND plinvex_qrc_entries "        <file>${qm_name}</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${plinvex_translations_qrc} CONTENT
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/translations\">\n@plinvex_qrc_entries@    </qresource>\n</RCC>\n"
     @ONLY)
qt_add_resources(plinvex_translation_sources ${plinvex_translations_qrc})
target_sources(plinvex_wording PRIVATE ${plinvex_translation_sources} ${plinvex_qm_files})
