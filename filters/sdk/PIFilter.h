/* The filter plug-in interface shared by the suite's two hosts (the editor's
 * effect runner and the plug-in host library Fxgate) and every filter module:
 * the filter record, its selectors and result codes, 'FOTO' handles, the
 * pixel map of displayPixels and the callback suites.
 *
 * The record keeps the published field order. Every field given as a long
 * is a 32-bit integer here and every pointer is a native pointer, so the
 * layout is frozen below for the 32-bit and the x86-64 ABI alike; a change
 * that moves a field breaks every module already built.
 *
 * Pixel planes and colours are handed over in red, green, blue order:
 * plane 0 is red, 1 green, 2 blue, whatever the host's own pixel form. */
#ifndef FILTERS_SDK_PIFILTER_H
#define FILTERS_SDK_PIFILTER_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A four-character code as a 32-bit value: PI_FOURCC('8','B','I','M').
 * Stored little-endian, its bytes lie in memory in reverse ("MIB8"). */
#define PI_FOURCC(a, b, c, d) \
    ((uint32_t)(uint8_t)(a) << 24 | (uint32_t)(uint8_t)(b) << 16 | (uint32_t)(uint8_t)(c) << 8 | (uint32_t)(uint8_t)(d))

/* ---- Basic types ------------------------------------------------------- */

typedef int32_t Fixed;   /* signed 16.16 fixed point */
typedef uint32_t OSType; /* a four-character code */
typedef int16_t OSErr;   /* a result code (below) */

#define PI_FIXED_ONE ((Fixed)0x00010000)

/* Right and bottom are exclusive; a rectangle is empty when
 * top >= bottom or left >= right. */
typedef struct Rect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
} Rect;

typedef struct Point {
    int16_t v;
    int16_t h;
} Point;

/* A rectangle of 32-bit coordinates (pixel maps of displayPixels). */
typedef struct VRect {
    int32_t top;
    int32_t left;
    int32_t bottom;
    int32_t right;
} VRect;

/* The suite's hosts put the component values 0 to 255 here, unscaled. */
typedef struct RGBColor {
    uint16_t red;
    uint16_t green;
    uint16_t blue;
} RGBColor;

/* Four bytes: red, green, blue, 0 (a grey picture: the grey value, 0, 0, 0). */
typedef uint8_t FilterColor[4];

/* ---- 'FOTO' handles ------------------------------------------------------
 * A Handle points at a block holding the address of the data block and the
 * signature 'FOTO' (bytes "OTOF" in memory). Both blocks come from the
 * process-wide allocator of PIHandles.h, which hosts and modules share, so
 * either side can check, copy, keep and free a handle that the other made.
 * A module reads and writes its data through the first field. */
#define PI_HANDLE_SIGNATURE PI_FOURCC('F', 'O', 'T', 'O')

typedef struct FotoHandleBlock {
    void* data;
    uint32_t signature;
} FotoHandleBlock;

typedef FotoHandleBlock* Handle;

/* ---- Selectors and result codes ---------------------------------------- */

enum {
    filterSelectorAbout = 0,
    filterSelectorParameters = 1,
    filterSelectorPrepare = 2,
    filterSelectorStart = 3,
    filterSelectorContinue = 4,
    filterSelectorFinish = 5
};

enum {
    noErr = 0,
    readErr = -19,
    writErr = -20,
    dskFulErr = -34,
    ioErr = -36,
    eofErr = -39,
    paramErr = -50,
    memFullErr = -108,
    nilHandleErr = -109,
    memWZErr = -111,
    userCanceledErr = -128, /* every module answers a cancelled dialog with it */
    filterBadParameters = -30100,
    filterBadMode = -30101,
    errPlugInHostInsufficient = -30900
};

/* Supported image modes (the PiPL 'mode' word) and FilterRecord::imageMode. */
enum {
    plugInModeBitmap = 0,
    plugInModeGrayScale = 1,
    plugInModeIndexedColor = 2,
    plugInModeRGBColor = 3
};

enum {
    supportsBitmap = 0x80,
    supportsGrayScale = 0x40,
    supportsIndexedColor = 0x20,
    supportsRGBColor = 0x10
};

/* The host signatures of the suite: the editor's ("LD40" in memory) and
 * Fxgate's. */
#define PI_HOST_SIG_EDITOR PI_FOURCC('0', '4', 'D', 'L')
#define PI_HOST_SIG_FXGATE PI_FOURCC('O', 'V', 'H', 'S')

/* ---- Callbacks -------------------------------------------------------- */

typedef uint8_t (*TestAbortProc)(void);
typedef void (*ProgressProc)(int32_t done, int32_t total);
typedef void (*HostProc)(int16_t selector, int32_t* data);
typedef void (*ProcessEventProc)(void* event);
typedef OSErr (*AdvanceStateProc)(void);

/* The pixel map that a module hands to displayPixels. */
typedef struct PSPixelMap {
    int32_t version;
    VRect bounds;
    int32_t imageMode;
    int32_t rowBytes;
    int32_t colBytes;
    int32_t planeBytes;
    void* baseAddr;
} PSPixelMap;

/* srcRect lies within source->bounds; the platform context is the drawing
 * surface the module draws its preview on, passed through to the host's
 * display function. */
typedef OSErr (*DisplayPixelsProc)(const PSPixelMap* source, const VRect* srcRect, int32_t dstRow,
                                   int32_t dstCol, void* platformContext);

/* Colour services. */
enum {
    plugIncolorServicesChooseColor = 0,
    plugIncolorServicesConvertColor = 1,
    plugIncolorServicesSamplePoint = 2,
    plugIncolorServicesGetSpecialColor = 3
};

enum {
    plugIncolorServicesRGBSpace = 0,
    plugIncolorServicesHSBSpace = 1,
    plugIncolorServicesCMYKSpace = 2,
    plugIncolorServicesLabSpace = 3,
    plugIncolorServicesGraySpace = 4
};

enum {
    plugIncolorServicesForegroundColor = 0,
    plugIncolorServicesBackgroundColor = 1
};

typedef struct ColorServicesInfo {
    int32_t infoSize;
    int16_t selector;
    int16_t sourceSpace;
    int16_t resultSpace;
    uint8_t resultGamutInfoValid;
    uint8_t resultInGamut;
    void* reservedSourceSpaceInfo;
    void* reservedResultSpaceInfo;
    int16_t colorComponents[4];
    void* reserved;
    union {
        uint8_t* pickerPrompt; /* a length-prefixed string */
        Point* globalSamplePoint;
        int32_t specialColorID;
    } selectorParameter;
} ColorServicesInfo;

typedef OSErr (*ColorServicesProc)(ColorServicesInfo* info);

/* Buffer suite: plain memory blocks of the host. */
typedef void* BufferID;
typedef OSErr (*AllocateBufferProc)(int32_t size, BufferID* bufferID);
typedef void* (*LockBufferProc)(BufferID bufferID, uint8_t moveHigh);
typedef void (*UnlockBufferProc)(BufferID bufferID);
typedef void (*FreeBufferProc)(BufferID bufferID);
typedef int32_t (*BufferSpaceProc)(void);

typedef struct BufferProcs {
    int16_t bufferProcsVersion;
    int16_t numBufferProcs;
    AllocateBufferProc allocateProc;
    LockBufferProc lockProc;
    UnlockBufferProc unlockProc;
    FreeBufferProc freeProc;
    BufferSpaceProc spaceProc;
} BufferProcs;

#define kCurrentBufferProcsVersion 2
#define kCurrentBufferProcsCount 5

/* Handle suite: 'FOTO' handles of the shared allocator. */
typedef Handle (*NewPIHandleProc)(int32_t size);
typedef void (*DisposePIHandleProc)(Handle h);
typedef int32_t (*GetPIHandleSizeProc)(Handle h);
typedef OSErr (*SetPIHandleSizeProc)(Handle h, int32_t newSize);
typedef void* (*LockPIHandleProc)(Handle h, uint8_t moveHigh);
typedef void (*UnlockPIHandleProc)(Handle h);
typedef void (*RecoverSpaceProc)(int32_t size);

typedef struct HandleProcs {
    int16_t handleProcsVersion;
    int16_t numHandleProcs;
    NewPIHandleProc newProc;
    DisposePIHandleProc disposeProc;
    GetPIHandleSizeProc getSizeProc;
    SetPIHandleSizeProc setSizeProc;
    LockPIHandleProc lockProc;
    UnlockPIHandleProc unlockProc;
    RecoverSpaceProc recoverSpaceProc;
} HandleProcs;

#define kCurrentHandleProcsVersion 1
#define kCurrentHandleProcsCount 7

/* Image-services suite. */
typedef struct PSImagePlane {
    void* data;
    Rect bounds;
    int32_t rowBytes;
    int32_t colBytes;
} PSImagePlane;

typedef OSErr (*PIResampleProc)(PSImagePlane* source, PSImagePlane* destination, Rect* area, Fixed* coords,
                                int16_t method);

typedef struct ImageServicesProcs {
    int16_t imageServicesProcsVersion;
    int16_t numImageServicesProcs;
    PIResampleProc interpolate1DProc;
    PIResampleProc interpolate2DProc;
} ImageServicesProcs;

#define kCurrentImageServicesProcsVersion 1
#define kCurrentImageServicesProcsCount 2

/* Property suite: host properties by signature '8BIM' and key. */
typedef OSErr (*GetPropertyProc)(OSType signature, OSType key, int32_t index, int32_t* simpleProperty,
                                 Handle* complexProperty);
typedef OSErr (*SetPropertyProc)(OSType signature, OSType key, int32_t index, int32_t simpleProperty,
                                 Handle complexProperty);

typedef struct PropertyProcs {
    int16_t propertyProcsVersion;
    int16_t numPropertyProcs;
    GetPropertyProc getPropertyProc;
    SetPropertyProc setPropertyProc;
} PropertyProcs;

#define kCurrentPropertyProcsVersion 1
#define kCurrentPropertyProcsCount 2

/* ---- The filter record ------------------------------------------------- */

typedef struct PlugInMonitor {
    Fixed gamma;
    Fixed redX, redY;
    Fixed greenX, greenY;
    Fixed blueX, blueY;
    Fixed whiteX, whiteY;
    Fixed ambient;
} PlugInMonitor;

typedef struct FilterRecord {
    int32_t serialNumber;
    TestAbortProc abortProc;
    ProgressProc progressProc;
    Handle parameters;
    Point imageSize; /* height, width */
    int16_t planes;
    Rect filterRect;
    RGBColor background;
    RGBColor foreground;
    int32_t maxSpace;
    int32_t bufferSpace;
    Rect inRect;
    int16_t inLoPlane;
    int16_t inHiPlane;
    Rect outRect;
    int16_t outLoPlane;
    int16_t outHiPlane;
    void* inData;
    int32_t inRowBytes;
    void* outData;
    int32_t outRowBytes;
    uint8_t isFloating;
    uint8_t haveMask;
    uint8_t autoMask;
    Rect maskRect;
    void* maskData;
    int32_t maskRowBytes;
    FilterColor backColor;
    FilterColor foreColor;
    OSType hostSig;
    HostProc hostProc;
    int16_t imageMode;
    Fixed imageHRes;
    Fixed imageVRes;
    Point floatCoord;
    Point wholeSize;
    PlugInMonitor monitor;
    void* platformData; /* points at the host's window (a void*), or null */
    BufferProcs* bufferProcs;
    void* resourceProcs;
    ProcessEventProc processEvent;
    DisplayPixelsProc displayPixels;
    HandleProcs* handleProcs;
    uint8_t supportsDummyChannels;
    uint8_t supportsAlternateLayouts;
    int16_t wantLayout;
    int16_t filterCase;
    int16_t dummyPlaneValue;
    void* premiereHook;
    AdvanceStateProc advanceState;
    uint8_t supportsAbsolute;
    uint8_t wantsAbsolute;
    GetPropertyProc getPropertyObsolete;
    uint8_t cannotUndo;
    uint8_t supportsPadding;
    int16_t inputPadding;
    int16_t outputPadding;
    int16_t maskPadding;
    int8_t samplingSupport;
    int8_t reservedByte;
    Fixed inputRate;
    Fixed maskRate;
    ColorServicesProc colorServices;
    int16_t inLayerPlanes;
    int16_t inTransparencyMask;
    int16_t inLayerMasks;
    int16_t inInvertedLayerMasks;
    int16_t inNonLayerPlanes;
    int16_t outLayerPlanes;
    int16_t outTransparencyMask;
    int16_t outLayerMasks;
    int16_t outInvertedLayerMasks;
    int16_t outNonLayerPlanes;
    int16_t absLayerPlanes;
    int16_t absTransparencyMask;
    int16_t absLayerMasks;
    int16_t absInvertedLayerMasks;
    int16_t absNonLayerPlanes;
    int16_t inPreDummyPlanes;
    int16_t inPostDummyPlanes;
    int16_t outPreDummyPlanes;
    int16_t outPostDummyPlanes;
    int32_t inColumnBytes;
    int32_t inPlaneBytes;
    int32_t outColumnBytes;
    int32_t outPlaneBytes;
    ImageServicesProcs* imageServicesProcs;
    PropertyProcs* propertyProcs;
    uint8_t reserved[124]; /* zero; room the published record fills later */
} FilterRecord;

/* What a module receives with filterSelectorAbout, in place of the filter
 * record. */
typedef struct AboutRecord {
    void* platformData; /* points at the host's window (a void*), or null */
    void* sSPBasic;
    void* plugInRef;
    uint8_t reserved[244];
} AboutRecord;

/* The entry every module exports by name (ENTRYPOINT, ENTRYPOINT1, ...).
 * data points at a value the host keeps for the module between calls; it
 * is pointer-sized because modules keep a Handle in it. */
typedef void (*PIFilterEntry)(int16_t selector, FilterRecord* record, intptr_t* data, int16_t* result);

/* Marks a module's entry for export; modules are built with hidden
 * visibility and export nothing else. */
#if defined(__GNUC__)
#define PI_EXPORT __attribute__((visibility("default")))
#else
#define PI_EXPORT
#endif

/* ---- Frozen layout ----------------------------------------------------- */

#if defined(__cplusplus)
#define PI_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define PI_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

#define PI_ASSERT_OFFSET(type, field, offset) \
    PI_STATIC_ASSERT(offsetof(type, field) == (offset), #type "::" #field " moved")

PI_STATIC_ASSERT(sizeof(Rect) == 8 && sizeof(Point) == 4 && sizeof(RGBColor) == 6, "basic types");
PI_STATIC_ASSERT(sizeof(VRect) == 16 && sizeof(PlugInMonitor) == 40, "basic types");

#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
/* x86-64 (and every other 64-bit ABI with natural alignment). */
PI_STATIC_ASSERT(sizeof(FotoHandleBlock) == 16, "FotoHandleBlock size");
PI_ASSERT_OFFSET(FotoHandleBlock, signature, 8);

PI_ASSERT_OFFSET(FilterRecord, serialNumber, 0);
PI_ASSERT_OFFSET(FilterRecord, abortProc, 8);
PI_ASSERT_OFFSET(FilterRecord, progressProc, 16);
PI_ASSERT_OFFSET(FilterRecord, parameters, 24);
PI_ASSERT_OFFSET(FilterRecord, imageSize, 32);
PI_ASSERT_OFFSET(FilterRecord, planes, 36);
PI_ASSERT_OFFSET(FilterRecord, filterRect, 38);
PI_ASSERT_OFFSET(FilterRecord, background, 46);
PI_ASSERT_OFFSET(FilterRecord, foreground, 52);
PI_ASSERT_OFFSET(FilterRecord, maxSpace, 60);
PI_ASSERT_OFFSET(FilterRecord, bufferSpace, 64);
PI_ASSERT_OFFSET(FilterRecord, inRect, 68);
PI_ASSERT_OFFSET(FilterRecord, inLoPlane, 76);
PI_ASSERT_OFFSET(FilterRecord, inHiPlane, 78);
PI_ASSERT_OFFSET(FilterRecord, outRect, 80);
PI_ASSERT_OFFSET(FilterRecord, outLoPlane, 88);
PI_ASSERT_OFFSET(FilterRecord, outHiPlane, 90);
PI_ASSERT_OFFSET(FilterRecord, inData, 96);
PI_ASSERT_OFFSET(FilterRecord, inRowBytes, 104);
PI_ASSERT_OFFSET(FilterRecord, outData, 112);
PI_ASSERT_OFFSET(FilterRecord, outRowBytes, 120);
PI_ASSERT_OFFSET(FilterRecord, isFloating, 124);
PI_ASSERT_OFFSET(FilterRecord, haveMask, 125);
PI_ASSERT_OFFSET(FilterRecord, autoMask, 126);
PI_ASSERT_OFFSET(FilterRecord, maskRect, 128);
PI_ASSERT_OFFSET(FilterRecord, maskData, 136);
PI_ASSERT_OFFSET(FilterRecord, maskRowBytes, 144);
PI_ASSERT_OFFSET(FilterRecord, backColor, 148);
PI_ASSERT_OFFSET(FilterRecord, foreColor, 152);
PI_ASSERT_OFFSET(FilterRecord, hostSig, 156);
PI_ASSERT_OFFSET(FilterRecord, hostProc, 160);
PI_ASSERT_OFFSET(FilterRecord, imageMode, 168);
PI_ASSERT_OFFSET(FilterRecord, imageHRes, 172);
PI_ASSERT_OFFSET(FilterRecord, imageVRes, 176);
PI_ASSERT_OFFSET(FilterRecord, floatCoord, 180);
PI_ASSERT_OFFSET(FilterRecord, wholeSize, 184);
PI_ASSERT_OFFSET(FilterRecord, monitor, 188);
PI_ASSERT_OFFSET(FilterRecord, platformData, 232);
PI_ASSERT_OFFSET(FilterRecord, bufferProcs, 240);
PI_ASSERT_OFFSET(FilterRecord, resourceProcs, 248);
PI_ASSERT_OFFSET(FilterRecord, processEvent, 256);
PI_ASSERT_OFFSET(FilterRecord, displayPixels, 264);
PI_ASSERT_OFFSET(FilterRecord, handleProcs, 272);
PI_ASSERT_OFFSET(FilterRecord, supportsDummyChannels, 280);
PI_ASSERT_OFFSET(FilterRecord, supportsAlternateLayouts, 281);
PI_ASSERT_OFFSET(FilterRecord, wantLayout, 282);
PI_ASSERT_OFFSET(FilterRecord, filterCase, 284);
PI_ASSERT_OFFSET(FilterRecord, dummyPlaneValue, 286);
PI_ASSERT_OFFSET(FilterRecord, premiereHook, 288);
PI_ASSERT_OFFSET(FilterRecord, advanceState, 296);
PI_ASSERT_OFFSET(FilterRecord, supportsAbsolute, 304);
PI_ASSERT_OFFSET(FilterRecord, wantsAbsolute, 305);
PI_ASSERT_OFFSET(FilterRecord, getPropertyObsolete, 312);
PI_ASSERT_OFFSET(FilterRecord, cannotUndo, 320);
PI_ASSERT_OFFSET(FilterRecord, supportsPadding, 321);
PI_ASSERT_OFFSET(FilterRecord, inputPadding, 322);
PI_ASSERT_OFFSET(FilterRecord, outputPadding, 324);
PI_ASSERT_OFFSET(FilterRecord, maskPadding, 326);
PI_ASSERT_OFFSET(FilterRecord, samplingSupport, 328);
PI_ASSERT_OFFSET(FilterRecord, inputRate, 332);
PI_ASSERT_OFFSET(FilterRecord, maskRate, 336);
PI_ASSERT_OFFSET(FilterRecord, colorServices, 344);
PI_ASSERT_OFFSET(FilterRecord, inLayerPlanes, 352);
PI_ASSERT_OFFSET(FilterRecord, inTransparencyMask, 354);
PI_ASSERT_OFFSET(FilterRecord, outPostDummyPlanes, 388);
PI_ASSERT_OFFSET(FilterRecord, inColumnBytes, 392);
PI_ASSERT_OFFSET(FilterRecord, outPlaneBytes, 404);
PI_ASSERT_OFFSET(FilterRecord, imageServicesProcs, 408);
PI_ASSERT_OFFSET(FilterRecord, propertyProcs, 416);
PI_ASSERT_OFFSET(FilterRecord, reserved, 424);
PI_STATIC_ASSERT(sizeof(FilterRecord) == 552, "FilterRecord size");

PI_STATIC_ASSERT(sizeof(AboutRecord) == 272, "AboutRecord size");
PI_STATIC_ASSERT(sizeof(PSPixelMap) == 48, "PSPixelMap size");
PI_ASSERT_OFFSET(PSPixelMap, baseAddr, 40);
PI_STATIC_ASSERT(sizeof(ColorServicesInfo) == 56, "ColorServicesInfo size");
PI_ASSERT_OFFSET(ColorServicesInfo, reservedSourceSpaceInfo, 16);
PI_ASSERT_OFFSET(ColorServicesInfo, colorComponents, 32);
PI_ASSERT_OFFSET(ColorServicesInfo, selectorParameter, 48);
PI_STATIC_ASSERT(sizeof(BufferProcs) == 48 && sizeof(HandleProcs) == 64, "suite sizes");
PI_STATIC_ASSERT(sizeof(ImageServicesProcs) == 24 && sizeof(PropertyProcs) == 24, "suite sizes");
#elif UINTPTR_MAX == 0xFFFFFFFFu
/* The published 32-bit layout. */
PI_STATIC_ASSERT(sizeof(FotoHandleBlock) == 8, "FotoHandleBlock size");
PI_ASSERT_OFFSET(FilterRecord, maxSpace, 44);
PI_ASSERT_OFFSET(FilterRecord, inData, 76);
PI_ASSERT_OFFSET(FilterRecord, maskRect, 96);
PI_ASSERT_OFFSET(FilterRecord, backColor, 112);
PI_ASSERT_OFFSET(FilterRecord, hostSig, 120);
PI_ASSERT_OFFSET(FilterRecord, imageMode, 128);
PI_ASSERT_OFFSET(FilterRecord, platformData, 188);
PI_ASSERT_OFFSET(FilterRecord, handleProcs, 208);
PI_ASSERT_OFFSET(FilterRecord, filterCase, 216);
PI_ASSERT_OFFSET(FilterRecord, advanceState, 224);
PI_ASSERT_OFFSET(FilterRecord, getPropertyObsolete, 232);
PI_ASSERT_OFFSET(FilterRecord, samplingSupport, 244);
PI_ASSERT_OFFSET(FilterRecord, inputRate, 248);
PI_ASSERT_OFFSET(FilterRecord, colorServices, 256);
PI_ASSERT_OFFSET(FilterRecord, imageServicesProcs, 316);
PI_ASSERT_OFFSET(FilterRecord, propertyProcs, 320);
PI_STATIC_ASSERT(sizeof(FilterRecord) == 448, "FilterRecord size");
PI_STATIC_ASSERT(sizeof(AboutRecord) == 256, "AboutRecord size");
#else
#error "The filter record layout is frozen for 32-bit and 64-bit pointers only"
#endif

#ifdef __cplusplus
}
#endif

#endif /* FILTERS_SDK_PIFILTER_H */
