# SPDX-License-Identifier: GPL-3.0-or-later
ciclara_add_test(tst_localendpoint SOURCES tst_localendpoint.cpp LIBS ciclara_core Qt6::Network)
