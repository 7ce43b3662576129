#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the sanitizers into build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVEL_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j"$(nproc)" --target \
  fuzz_read_field fuzz_country_list fuzz_load_places fuzz_zone_lookup fuzz_last_country \
  fuzz_coordinates fuzz_horoscope_file fuzz_settings_file fuzz_aaf_file
