# SPDX-License-Identifier: GPL-3.0-or-later
# Named local endpoints (single instance, link window) belong to the logic library.
target_sources(ciclara_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LocalEndpoint.cpp ${CMAKE_CURRENT_LIST_DIR}/LocalEndpoint.h)
target_link_libraries(ciclara_core PUBLIC Qt6::Network)
