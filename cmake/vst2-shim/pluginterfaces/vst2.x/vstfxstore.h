// The bank layout a VST 3 build needs to read and write states that VST 2 hosts stored (.fxb "CcnK"/"FBCh").
// FST has no declaration of it. The plug-in client includes this file inside its own namespace, so it
// declares plain types only and includes nothing.
#pragma once

struct fxProgram
{
    int chunkMagic;
    int byteSize;
    int fxMagic;
    int version;
    int fxID;
    int fxVersion;
    int numParams;
    char prgName[28];

    union
    {
        float params[1];

        struct
        {
            int size;
            char chunk[1];
        } data;
    } content;
};

struct fxBank
{
    int chunkMagic;
    int byteSize;
    int fxMagic;
    int version;
    int fxID;
    int fxVersion;
    int numPrograms;
    int currentProgram;
    char future[124];

    union
    {
        fxProgram programs[1];

        struct
        {
            int size;
            char chunk[1];
        } data;
    } content;
};
