#include "LumDigiDelayReference.h"

#include "LumDigiDelaySteps.h"

#include <cmath>

void LumDigiDelayReference::runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples,
                                      float tempo)
{
    const float blockMix = beginBlock(tempo);

    for (int n = 0; n < numSamples; ++n)
    {
        float targetL = 0.0f;
        float targetR = 0.0f;
        targetDelayTimes(targetL, targetR);

        smoothTimeL = glide(smoothTimeL, targetL, smoothCoef);
        smoothTimeR = glide(smoothTimeR, targetR, smoothCoef);
        smoothFeedback = glide(smoothFeedback, feedback, smoothCoef);

        if (std::isnan(smoothTimeL))
            diagnostics.countNaNTime();

        const float dryL = finiteInput(inL[n]);
        const float dryR = finiteInput(inR[n]);
        float wetL = wetInput(dryL);
        float wetR = wetInput(dryR);

        if (preModStage != nullptr)
            (this->*preModStage)(wetL, wetR, &wetL, &wetR);
        if (filterStage != nullptr)
            (this->*filterStage)(wetL, wetR, &wetL, &wetR);
        if (! bypassDelay)
            (this->*delayStage)(wetL, wetR, &wetL, &wetR);
        if (postModStage != nullptr)
            (this->*postModStage)(wetL, wetR, &wetL, &wetR);

        if (std::isnan(wetL))
        {
            wetL = 0.0f;
            wetR = 0.0f;
        }

        if (! ducker.idle(duck))
        {
            const float gain = ducker.step(dryL, dryR, duck);
            wetL *= gain;
            wetR *= gain;
        }

        outL[n] = (1.0f - blockMix) * dryL + blockMix * wetL;
        outR[n] = (1.0f - blockMix) * dryR + blockMix * wetR;
    }
}
