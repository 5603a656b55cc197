# SPDX-License-Identifier: GPL-3.0-or-later
ciclara_add_test(tst_localendpoint SOURCES tst_localendpoint.cpp LIBS ciclara_core Qt6::Network)
ciclara_add_test(tst_uihelpers SOURCES tst_uihelpers.cpp LIBS ciclara_core_ui)
ciclara_add_test(tst_messageform SOURCES tst_messageform.cpp LIBS ciclara_core_ui)
ciclara_add_test(tst_hotsincingform SOURCES tst_hotsincingform.cpp LIBS ciclara_core_ui)
ciclara_add_test(tst_logoform SOURCES tst_logoform.cpp LIBS ciclara_core_ui)
ciclara_add_test(tst_languagechoice SOURCES tst_languagechoice.cpp LIBS ciclara_core_ui)
