# Where a build folder ($build_dir) holds the built plug-ins; sourced by the scripts that install or check them.
artefacts="$build_dir/products/Vela_desktop/Vela_artefacts/Release"
vst2_plugin="$artefacts/VST/Vela.so"
vst3_bundle="$artefacts/VST3/Vela.vst3"
lv2_bundle="$artefacts/LV2/Vela.lv2"
standalone_app="$artefacts/Standalone/Vela"
